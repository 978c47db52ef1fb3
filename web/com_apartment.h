// The COM apartment a request object lives in: entered and left once around each use of the
// object on the calling thread. Nothing to do where there is no COM.
#pragma once

void EnterComApartment();
void LeaveComApartment();
