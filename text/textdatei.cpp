#include "text/textdatei.h"
