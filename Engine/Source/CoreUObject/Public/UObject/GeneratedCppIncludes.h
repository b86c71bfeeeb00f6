// What the header tool's generated .gen.cpp files need.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "UObject/Interface.h"
#include "UObject/ScriptMacros.h"
#include "UObject/ScriptInterface.h"
#include "Templates/SubclassOf.h"
