#include "base/gbk.h"
