#include "text/wertsuche.h"
