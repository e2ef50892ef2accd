#pragma once
/// The whole layout toolkit: components, containers, layouts and every leaf kind.
#include "guilayout/buttons.h"
#include "guilayout/component.h"
#include "guilayout/container.h"
#include "guilayout/drawn.h"
#include "guilayout/fields.h"
#include "guilayout/gadget.h"
#include "guilayout/image_buttons.h"
#include "guilayout/layout.h"
#include "guilayout/lists.h"
#include "guilayout/spacers.h"
