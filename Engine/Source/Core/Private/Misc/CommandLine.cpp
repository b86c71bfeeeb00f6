#include "Misc/CommandLine.h"

#include <string>

namespace
{
	std::u16string GCommandLine;
	bool GCommandLineInitialized = false;
}

const TCHAR* FCommandLine::Get()
{
	return GCommandLine.c_str();
}

bool FCommandLine::IsInitialized()
{
	return GCommandLineInitialized;
}

bool FCommandLine::Set(const TCHAR* NewCommandLine)
{
	GCommandLine = NewCommandLine ? NewCommandLine : u"";
	GCommandLineInitialized = true;
	return true;
}

void FCommandLine::Append(const TCHAR* AppendString)
{
	GCommandLine += AppendString ? AppendString : u"";
}
