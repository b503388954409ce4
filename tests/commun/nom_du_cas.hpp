#pragma once
// Names each case of a parameterised suite after its `nom`, so that ctest
// lists "Suite/Test/nom" and a failure says which case it was. GoogleTest
// refuses a name that is not letters, digits and '_' or that two cases share.

#include <gtest/gtest.h>

#include <string>

namespace essai {

struct NomDuCas {
    template <typename Cas> std::string operator()(const testing::TestParamInfo<Cas>& info) const {
        return std::string(info.param.nom);
    }
};

} // namespace essai
