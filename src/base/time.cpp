#include "base/time.h"
