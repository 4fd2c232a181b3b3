#include "window/BladAplikacji.h"

#include <stdexcept>

#include "text/Cp1250.h"
#include "text/TekstSystemowy.h"
#include "window/Pulpit.h"
#include "window/Teksty.h"

void ZglosBladAplikacji(TPulpit& Pulpit, std::exception_ptr Blad) {
  try {
    std::rethrow_exception(Blad);
  } catch (const std::exception& blad) {
    Pulpit.PokazBlad(blad.what());
  } catch (...) {
    Pulpit.PokazBlad(NaTekstSystemowy(cp1250::ZUtf8(TekstNieznanegoBledu)));
  }
}
