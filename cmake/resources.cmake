# The resource script and everything it includes.
set(QUILLON_RESOURCES ${PROJECT_SOURCE_DIR}/win32/resources/quillon.rc)
