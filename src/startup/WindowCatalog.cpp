#include "WindowCatalog.h"

#include "colours/FenColors.h"
#include "colours/FenFond.h"
#include "dialogs/Apropos.h"
#include "dialogs/Conseils.h"
#include "mainwindow/FenPrin.h"
#include "multiview/FenMultivu.h"
#include "sounds/FenMCI.h"
#include "startup/Demarre2.h"

#include <functional>
#include <map>

namespace WindowCatalog {

namespace {

using Loader = std::function<Form *(AppContext &)>;

const std::map<QString, Loader> &loaders()
{
    static const std::map<QString, Loader> table = {
        {QStringLiteral("FenPrin"),
         [](AppContext &c) {
             auto *w = new FenPrin(c);
             w->load();
             return static_cast<Form *>(w);
         }},
        {QStringLiteral("Demarre2"),
         [](AppContext &c) {
             auto *w = new Demarre2(c);
             w->load();
             return static_cast<Form *>(w);
         }},
        {QStringLiteral("FenMCI"),
         [](AppContext &c) {
             auto *w = new FenMCI(c);
             w->load();
             return static_cast<Form *>(w);
         }},
        {QStringLiteral("Conseils"),
         [](AppContext &c) {
             auto *w = new Conseils(c);
             w->load();
             return static_cast<Form *>(w);
         }},
        {QStringLiteral("FenColors"),
         [](AppContext &c) {
             auto *w = new FenColors(c);
             w->load();
             return static_cast<Form *>(w);
         }},
        {QStringLiteral("FenFond"),
         [](AppContext &c) {
             auto *w = new FenFond(c);
             w->load();
             return static_cast<Form *>(w);
         }},
        {QStringLiteral("Apropos"),
         [](AppContext &c) {
             auto *w = new Apropos(c);
             w->load();
             return static_cast<Form *>(w);
         }},
        {QStringLiteral("FenMultivu"),
         [](AppContext &c) {
             auto *w = new FenMultivu(c);
             w->load();
             return static_cast<Form *>(w);
         }},
    };
    return table;
}

} // namespace

QStringList names()
{
    QStringList list;
    for (const auto &[name, loader] : loaders())
        list << name;
    return list;
}

Form *load(const QString &name, AppContext &context)
{
    const auto it = loaders().find(name);
    return it == loaders().end() ? nullptr : it->second(context);
}

} // namespace WindowCatalog
