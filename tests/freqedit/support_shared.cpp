// The editor tests of the table editors use the observation editor tests'
// fake host and the application tests' started main window.
#include "app/support_app.cpp"
#include "obsedit/support_host.cpp"
