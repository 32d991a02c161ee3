#include "wheel/configcontents.h"

#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelstore.h"

ConfigContents ConfigStores::current() const
{
    wheels.reloadIfChangedElsewhere();
    return {wheels.sets(), combos.combos(), prompts.prompts()};
}

void ConfigStores::replaceAll(const ConfigContents &contents) const
{
    combos.replaceAll(contents.combos);
    prompts.replaceAll(contents.prompts);
    wheels.replaceAll(contents.sets);
}
