#pragma once

// The texts the IPS creator shows, in "Warning" boxes or on the command line.
extern const char* const kIpsCannotOpenRom;
extern const char* const kIpsRomsNotCompatible;
extern const char* const kIpsLayoutsDiffer;
extern const char* const kIpsRomsDifferInSize;
extern const char* const kIpsRomTooLarge;
extern const char* const kIpsCannotReadRom;
extern const char* const kIpsCannotWritePatch;
extern const char* const kIpsPatchWouldReplaceRom;
