#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "runtime/vector3.h"
#include "runtime/conversions.h"
#include "runtime/value.h"

namespace sentinel::bench {

// Inputs like the program's own, from a fixed seed so every run sorts the same data.
class InputMaker {
public:
    explicit InputMaker(unsigned seed) : engine_(seed) {}

    // Whole numbers from 1 to `largest`, right-aligned to three characters, as "CreateNumber" makes them.
    std::vector<Value> NumberTexts(std::int32_t count, int largest = 9999)
    {
        std::vector<Value> texts;
        for (std::int32_t i = 0; i < count; ++i)
            texts.emplace_back(RightAlign(WholeNumberText(Uniform(1, largest)), 3));
        return texts;
    }

    // Four capitals, as "CreateString" makes them.
    std::vector<Value> Words(std::int32_t count)
    {
        std::vector<Value> words;
        for (std::int32_t i = 0; i < count; ++i) {
            Text word;
            for (int letter = 0; letter < 4; ++letter)
                word.push_back(static_cast<char16_t>(Uniform(u'A', u'Z')));
            words.emplace_back(std::move(word));
        }
        return words;
    }

    // "x,y,z" texts of whole numbers, as the start-up vectors are written.
    std::vector<Value> VectorTexts(std::int32_t count)
    {
        std::vector<Value> texts;
        for (std::int32_t i = 0; i < count; ++i) {
            const auto component = [this] { return static_cast<Single>(Uniform(-200, 200)); };
            texts.emplace_back(FormatVector(MakeVector(component(), component(), component()), 0));
        }
        return texts;
    }

    // Whole numbers from 0 to 20 as Singles, as the start-up numbers are.
    std::vector<Value> WholeNumbers(std::int32_t count)
    {
        std::vector<Value> numbers;
        for (std::int32_t i = 0; i < count; ++i)
            numbers.emplace_back(static_cast<Single>(Uniform(0, 20)));
        return numbers;
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

    std::mt19937 engine_;
};

}  // namespace sentinel::bench
