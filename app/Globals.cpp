// The process-wide objects whose construction order matters live in this one
// file: C++ constructs them in the order they are defined here and destroys
// them in reverse.
#include "app/MorvishApp.h"

CMorvishApp theApp;
