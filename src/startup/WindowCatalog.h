#pragma once

#include <QStringList>

struct AppContext;
class Form;

// Every window of the program by its design name, for tools that load one on its own.
namespace WindowCatalog {

QStringList names();
// Creates the window and runs its load step; nullptr for an unknown name.
Form *load(const QString &name, AppContext &context);

} // namespace WindowCatalog
