#include "captionlooks.h"
