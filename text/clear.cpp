#include "text/clear.h"
