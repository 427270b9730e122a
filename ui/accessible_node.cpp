#include "ui/accessible_node.h"

namespace tallyx {
namespace {

const AccessibleDescriber* currentDescriber = nullptr;

}  // namespace

std::vector<AccessibleNode> DescribeAccessible(WindowBase& window)
{
    return currentDescriber ? currentDescriber->Describe(window) : std::vector<AccessibleNode>{};
}

void SetAccessibleDescriber(const AccessibleDescriber* describer)
{
    currentDescriber = describer;
}

bool IsPressable(const AccessibleNode& node)
{
    return !node.disabled && (node.role == AccessibleRole::Button || node.role == AccessibleRole::ListItem);
}

}  // namespace tallyx
