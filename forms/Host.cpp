#include "forms/Host.h"

#include "forms/Form.h"

namespace forms {

void Host::Discard(std::unique_ptr<Form> form) { form.reset(); }

}  // namespace forms
