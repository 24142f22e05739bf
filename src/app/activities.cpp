// SPDX-License-Identifier: MIT
#include "activities.h"

#include "exercises/form2.h"
#include "exercises/form3.h"
#include "exercises/form4.h"
#include "form1.h"

namespace wortilo {

namespace {
template <class Window> Form1::Factory factory()
{
    return [](Host &host) -> ActivityWindow * { return new Window(host); };
}
} // namespace

void registerActivities(Form1 &menu)
{
    using A = Form1::Activity;
    menu.setFactory(A::Lesen, factory<Form2>());
    menu.setFactory(A::Begleiter, factory<Form3>());
    menu.setFactory(A::Ergaenzen, factory<Form4>());
}

} // namespace wortilo
