#pragma once
// Registers the classes of the install object model with their published
// properties and defaults, so that form declarations can create them. Call
// before reading a form; calling again does nothing. Registers the path
// specifier classes and the visual classes first (the containers'
// properties refer to specifiers; TBaseQuorvelForm derives from TForm).

void RegisterInstallContainerClasses();
