#pragma once
// TqrvlRegistry: the setup program's registry accessor, the class
// library's TRegistry under its own name (it adds no state).

#include <string>

#include "vcl/registry/registry.h"

class TqrvlRegistry : public TRegistry {
public:
    using TRegistry::TRegistry;
    std::string ClassName() const override { return "TqrvlRegistry"; }
};
