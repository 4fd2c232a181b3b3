#pragma once

#include <exception>

class TPulpit;

// Shows an error that escaped a handler in the application's error box: the error's own text,
// which names paths and causes as the system gives them.
void ZglosBladAplikacji(TPulpit& Pulpit, std::exception_ptr Blad);
