#include "sixpanelayout.h"
