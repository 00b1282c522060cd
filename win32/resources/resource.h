#pragma once

#define IDD_EDITOR_HOST 738
