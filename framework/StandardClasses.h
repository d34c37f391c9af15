#pragma once

// Makes the framework's own component classes known to the description reader.
void RegisterStandardClasses();
