#include "text/fehler.h"
