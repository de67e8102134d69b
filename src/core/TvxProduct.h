#pragma once
// The product's constants, written once into the project at start-up. The
// converter class is not among them: the core cannot see the converter
// library, so the program entry assigns ConvertorClass itself.

class TvxProject;

// Mask, filters, extensions, short name, title and version; also makes the
// title the application's name.
void ApplyProductConstants(TvxProject& project);
