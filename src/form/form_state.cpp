#include "form/form_state.h"

#include "runtime/conversions.h"

namespace sentinel {

Text CountCaption(TextView prefix, std::int32_t count)
{
    return Text(prefix) + WholeNumberText(count);
}

}  // namespace sentinel
