#include "output/pdfausgabe.h"
