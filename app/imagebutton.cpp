#include "imagebutton.h"
