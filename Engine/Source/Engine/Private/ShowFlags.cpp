#include "ShowFlags.h"

namespace
{
	const TCHAR* const ShowFlagNames[FEngineShowFlags::EShowFlag_Num] = {
		TEXT("Game"),
		TEXT("Grid"),
		TEXT("Bounds"),
		TEXT("Collision"),
		TEXT("Fog"),
		TEXT("Lighting"),
		TEXT("PostProcessing"),
		TEXT("Selection"),
		TEXT("Wireframe"),
	};

	uint32 Bit(FEngineShowFlags::EShowFlag Flag)
	{
		return 1u << static_cast<uint32>(Flag);
	}
}

FEngineShowFlags::FEngineShowFlags(EShowFlagInitMode InitMode)
	: Bits(0)
{
	if (InitMode == ESFIM_All0)
	{
		return;
	}
	// What every view draws; the editor adds its helpers, the game view draws as the game does.
	Bits = Bit(EShowFlag_Fog) | Bit(EShowFlag_Lighting) | Bit(EShowFlag_PostProcessing);
	if (InitMode == ESFIM_Game)
	{
		Bits |= Bit(EShowFlag_Game);
	}
	else
	{
		Bits |= Bit(EShowFlag_Grid) | Bit(EShowFlag_Selection);
	}
}

bool FEngineShowFlags::GetSingleFlag(uint32 Index) const
{
	checkf(Index < EShowFlag_Num, TEXT("FEngineShowFlags: the stand-in has no show flag %u"), Index);
	return (Bits & (1u << Index)) != 0;
}

void FEngineShowFlags::SetSingleFlag(uint32 Index, bool bSet)
{
	checkf(Index < EShowFlag_Num, TEXT("FEngineShowFlags: the stand-in has no show flag %u"), Index);
	Bits = bSet ? (Bits | (1u << Index)) : (Bits & ~(1u << Index));
}

int32 FEngineShowFlags::FindIndexByName(const TCHAR* Name, const TCHAR* CommonFlagName)
{
	for (int32 Index = 0; Index < static_cast<int32>(EShowFlag_Num); ++Index)
	{
		if (FCString::Stricmp(Name, ShowFlagNames[Index]) == 0)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

FString FEngineShowFlags::FindNameByIndex(uint32 InIndex)
{
	return InIndex < EShowFlag_Num ? FString(ShowFlagNames[InIndex]) : FString();
}

FString FEngineShowFlags::ToString() const
{
	FString Out;
	for (uint32 Index = 0; Index < EShowFlag_Num; ++Index)
	{
		if (!Out.IsEmpty())
		{
			Out += TEXT(",");
		}
		Out += FString::Printf(TEXT("%s=%d"), ShowFlagNames[Index], GetSingleFlag(Index) ? 1 : 0);
	}
	return Out;
}
