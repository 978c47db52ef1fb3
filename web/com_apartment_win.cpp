// A single-threaded apartment for the calling thread. The result of CoInitialize is not
// looked at: a thread already in an apartment still balances the count by CoUninitialize.
#include "web/com_apartment.h"

#include <objbase.h>

void EnterComApartment() {
  CoInitialize(nullptr);
}

void LeaveComApartment() {
  CoUninitialize();
}
