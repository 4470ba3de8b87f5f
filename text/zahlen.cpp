#include "text/zahlen.h"
