#include "gui/resources.h"

#include <QtGlobal>
#include <mutex>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterMiretoResources() { Q_INIT_RESOURCE(mireto); }

namespace mireto {

void InitResources() {
  static std::once_flag once;
  std::call_once(once, RegisterMiretoResources);
}

}  // namespace mireto
