#include "commands/start_up_data.h"

#include "runtime/conversions.h"

namespace sentinel {
namespace {

// Not ordered by any field, with repeats (indices 10 and 11 are the same).
constexpr Single kStartUpVectors[21][3] = {
    {20, 20, 30},   {30, 40, 30},   {120, 20, 30},  {20, 20, 30},   {30, 40, 30},   {120, 20, 30},
    {-20, 20, 30},  {-30, 40, 30},  {-120, 20, 30}, {20, 20, 30},   {30, 40, 30},   {30, 40, 30},
    {120, 20, 30},  {20, 20, 30},   {30, 40, 30},   {120, 20, 30},  {-20, 20, 30},  {-30, 40, 30},
    {-120, 20, 30}, {-30, 40, 32},  {-120, 20, 31},
};

}  // namespace

void Form_Load(FormState& form)
{
    for (std::size_t index = 0; index < form.aVectors.size(); ++index) {
        const auto& [x, y, z] = kStartUpVectors[index];
        form.aVectors[index] = MakeVector(x, y, z);
    }

    form.colItems = std::make_shared<Collection>();
    for (std::int16_t i = 0; i <= 20; ++i) {
        const Vector3& vector = form.aVectors[static_cast<std::size_t>(i)];
        form.colItems->Add(FormatVector(vector, 0));
        form.List1.AddItem(FormatVector(vector, 0));
    }

    // Draw with argument 0 first: the value the generator's start state holds.
    for (std::int16_t i = 0; i <= 20; ++i) {
        form.aAngles.resize(static_cast<std::size_t>(i) + 1);
        form.aAngles[static_cast<std::size_t>(i)] = form.generator.Draw(i) * 20;
        Ensure(form.colAngles).Add(RoundHalfEven(form.aAngles[static_cast<std::size_t>(i)], 0));
    }
}

}  // namespace sentinel
