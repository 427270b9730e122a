#include "ui/window_host.h"

namespace tallyx {
namespace {

WindowFactory* currentFactory = nullptr;

}  // namespace

WindowFactory& CurrentWindowFactory()
{
    return *currentFactory;
}

void SetWindowFactory(WindowFactory* factory)
{
    currentFactory = factory;
}

}  // namespace tallyx
