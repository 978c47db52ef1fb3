// No COM here: the request object needs no apartment.
#include "web/com_apartment.h"

void EnterComApartment() {}
void LeaveComApartment() {}
