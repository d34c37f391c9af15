// Pictures stored in the program as compressed PNG resources, decoded by the system's
// imaging component, and shared: every image that names the same picture draws from one
// bitmap for as long as any of them lives.
#pragma once

#include <memory>
#include <string>

class TBitmap;

// A PNG resource (type "PNG") of the running program, by name; throws a read error when
// there is none or it cannot be decoded.
std::shared_ptr<TBitmap> LoadSharedPicture(const std::string& resourceName);
