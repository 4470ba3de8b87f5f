#include "output/druckerausgabe.h"
