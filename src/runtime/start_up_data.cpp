// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/start_up_data.h"

namespace sentinel {
namespace {

constexpr Single kStartUpVectors[kStartUpCount][3] = {
    {20, 20, 30},   {30, 40, 30},   {120, 20, 30},  {20, 20, 30},   {30, 40, 30},   {120, 20, 30},
    {-20, 20, 30},  {-30, 40, 30},  {-120, 20, 30}, {20, 20, 30},   {30, 40, 30},   {30, 40, 30},
    {120, 20, 30},  {20, 20, 30},   {30, 40, 30},   {120, 20, 30},  {-20, 20, 30},  {-30, 40, 30},
    {-120, 20, 30}, {-30, 40, 32},  {-120, 20, 31},
};

}  // namespace

std::array<Vector3, kStartUpCount> StartUpVectors()
{
    std::array<Vector3, kStartUpCount> vectors;
    for (std::size_t index = 0; index < kStartUpCount; ++index) {
        const auto& [x, y, z] = kStartUpVectors[index];
        vectors[index] = MakeVector(x, y, z);
    }
    return vectors;
}

std::vector<Text> StartUpVectorTexts()
{
    std::vector<Text> texts;
    for (const Vector3& vector : StartUpVectors())
        texts.push_back(FormatVector(vector, 0));
    return texts;
}

std::vector<Single> DrawStartUpNumbers(Random& generator)
{
    std::vector<Single> numbers;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(kStartUpCount); ++i)
        numbers.push_back(generator.Draw(i) * 20);
    return numbers;
}

}  // namespace sentinel
