#include "uubase.h"
