#include "output/aufzeichnung.h"
