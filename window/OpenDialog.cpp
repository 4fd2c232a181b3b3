#include "window/OpenDialog.h"

#include <optional>
#include <utility>

#include "window/Pulpit.h"

bool TOpenDialog::Execute(TPulpit& Pulpit) {
  std::optional<std::string> wybrany = Pulpit.WybierzPlik(FileName);
  if (!wybrany) return false;
  FileName = std::move(*wybrany);
  return true;
}
