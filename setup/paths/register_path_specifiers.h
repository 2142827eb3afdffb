#pragma once
// Registers the path specifier classes with the class registry and the 35
// standard kinds, in their fixed order, with PathSpecifierClasses. Calling
// again does nothing.

void RegisterPathSpecifierClasses();
