#include "promenne.h"

namespace vinula {

Promenne promenne;

} // namespace vinula
