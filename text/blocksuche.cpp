#include "text/blocksuche.h"
