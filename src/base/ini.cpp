#include "base/ini.h"
