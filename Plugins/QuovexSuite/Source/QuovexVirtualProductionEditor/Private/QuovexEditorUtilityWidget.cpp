// Copyright Quovex. All Rights Reserved.

// The panel base classes add nothing but their identity; their bodies come from the reflection code.
#include "QuovexEditorUtilityWidget.h"
