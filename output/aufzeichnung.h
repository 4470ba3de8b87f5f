#pragma once
#include "output/ausgabe.h"
