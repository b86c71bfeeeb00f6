#include "Misc/App.h"

#include "CoreGlobals.h"
#include "Misc/CoreMisc.h"

#include <string>

namespace
{
	std::u16string GProjectName;
	FFrameRate GTimecodeFrameRate(30, 1);
}

const TCHAR* FApp::GetProjectName()
{
	return GProjectName.c_str();
}

void FApp::SetProjectName(const TCHAR* InProjectName)
{
	GProjectName = InProjectName ? InProjectName : u"";
}

bool FApp::HasProjectName()
{
	return !GProjectName.empty();
}

FString FApp::GetBranchName()
{
	return FString(TEXT("++UE5+Release-5.3"));
}

const TCHAR* FApp::GetBuildVersion()
{
	return TEXT("++UE5+Release-5.3-CL-0");
}

bool FApp::IsGame()
{
	return !GIsEditor || GIsPlayInEditorWorld || IsRunningGame();
}

bool FApp::IsUnattended()
{
	return true;
}

FFrameRate FApp::GetTimecodeFrameRate()
{
	return GTimecodeFrameRate;
}

void FApp::SetTimecodeFrameRate(FFrameRate InTimecodeFrameRate)
{
	GTimecodeFrameRate = InTimecodeFrameRate;
}
