// The identifiers the generated headers declare, defined once.
#include <initguid.h>

#include "com/com_headers.h"
