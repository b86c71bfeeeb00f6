// Helpers for hand-written native thunks (DEFINE_FUNCTION bodies).

#pragma once

#include "UObject/Script.h"

/** The object the thunk was called on, as the declaring class. */
#define P_THIS_OBJECT (Context)
#define P_THIS_CAST(ClassType) ((ClassType*)P_THIS_OBJECT)
#define P_THIS P_THIS_CAST(ThisClass)
#define P_FINISH
#define P_NATIVE_BEGIN
#define P_NATIVE_END

/** Typed view of the parameter block: `P_GET_PARMS(FMyParms, Parms);`. */
#define P_GET_PARMS(ParmsType, Name) ParmsType& Name = *(ParmsType*)Stack.Locals
