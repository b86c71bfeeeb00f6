#include "Misc/Paths.h"

#include "Misc/CoreHostState.h"
#include "Misc/Utf8Conversion.h"

#include <filesystem>
#include <unistd.h>
#include <vector>

using namespace UE::Core::Private;

namespace
{
	bool IsSlash(char16_t Char)
	{
		return Char == u'/' || Char == u'\\';
	}

	std::u16string WithTrailingSlash(std::u16string Dir)
	{
		if (!Dir.empty() && !IsSlash(Dir.back()))
		{
			Dir.push_back(u'/');
		}
		return Dir;
	}

	size_t LastSlash(const std::u16string& Path)
	{
		const size_t Forward = Path.rfind(u'/');
		const size_t Back = Path.rfind(u'\\');
		if (Forward == std::u16string::npos)
		{
			return Back;
		}
		if (Back == std::u16string::npos)
		{
			return Forward;
		}
		return std::max(Forward, Back);
	}

	std::u16string CurrentDir()
	{
		std::error_code Error;
		const std::filesystem::path Cwd = std::filesystem::current_path(Error);
		return Utf8ToUtf16(Cwd.string());
	}

	std::filesystem::path ToFsPath(const FString& InPath)
	{
		return std::filesystem::path(ToUtf8(InPath));
	}

	std::u16string EngineRoot()
	{
		const FCoreHostState& State = GetCoreHostState();
		if (!State.EngineDir.empty())
		{
			return State.EngineDir;
		}
#ifdef UE_STANDALONE_ENGINE_ROOT
		// The build knows where the engine folder of this checkout is.
		return WithTrailingSlash(Utf8ToUtf16(UE_STANDALONE_ENGINE_ROOT));
#else
		return WithTrailingSlash(CurrentDir());
#endif
	}

	std::u16string ProjectRoot()
	{
		const FCoreHostState& State = GetCoreHostState();
		if (!State.ProjectDir.empty())
		{
			return State.ProjectDir;
		}
		// Without a project the engine runs "engine only": project folders fall back to the engine's.
		return EngineRoot();
	}
}

bool FPaths::IsProjectFilePathSet()
{
	return !GetCoreHostState().ProjectFilePath.empty();
}

const FString& FPaths::GetProjectFilePath()
{
	static thread_local FString Cached;
	Cached = FromStd(GetCoreHostState().ProjectFilePath);
	return Cached;
}

FString FPaths::LaunchDir()
{
	const FCoreHostState& State = GetCoreHostState();
	return FromStd(WithTrailingSlash(State.LaunchDir.empty() ? CurrentDir() : State.LaunchDir));
}

FString FPaths::RootDir()
{
	// The root holds Engine/; the stand-in's engine folder may be overridden anywhere, so take its parent.
	std::u16string Engine = EngineRoot();
	Engine.pop_back();
	const size_t Slash = LastSlash(Engine);
	return FromStd(Slash == std::u16string::npos ? std::u16string(u"/") : Engine.substr(0, Slash + 1));
}

FString FPaths::EngineDir() { return FromStd(EngineRoot()); }
FString FPaths::EngineConfigDir() { return FromStd(EngineRoot() + u"Config/"); }
FString FPaths::EngineContentDir() { return FromStd(EngineRoot() + u"Content/"); }
FString FPaths::EnginePluginsDir() { return FromStd(EngineRoot() + u"Plugins/"); }
FString FPaths::EngineSavedDir() { return FromStd(ToStd(EngineUserDir()) + u"Saved/"); }
FString FPaths::EngineIntermediateDir() { return FromStd(EngineRoot() + u"Intermediate/"); }
FString FPaths::EngineDefaultLayoutDir() { return FromStd(EngineRoot() + u"Config/Layouts/"); }

FString FPaths::EngineUserDir()
{
	const FCoreHostState& State = GetCoreHostState();
	if (!State.EngineUserDir.empty())
	{
		return FromStd(State.EngineUserDir);
	}
	// Where the engine keeps per-user data on Linux.
	const char* Home = getenv("HOME");
	const std::u16string Base = Home ? Utf8ToUtf16(Home) : CurrentDir();
	return FromStd(WithTrailingSlash(Base) + u".config/Epic/UnrealEngine/5.3/");
}

FString FPaths::EngineUserLayoutDir()
{
	return FromStd(ToStd(EngineUserDir()) + u"Saved/Config/Layouts/");
}

FString FPaths::ProjectDir() { return FromStd(ProjectRoot()); }
FString FPaths::ProjectUserDir() { return FromStd(ProjectRoot()); }
FString FPaths::ProjectConfigDir() { return FromStd(ProjectRoot() + u"Config/"); }
FString FPaths::ProjectContentDir() { return FromStd(ProjectRoot() + u"Content/"); }
FString FPaths::ProjectPluginsDir() { return FromStd(ProjectRoot() + u"Plugins/"); }
FString FPaths::ProjectSavedDir() { return FromStd(ProjectRoot() + u"Saved/"); }
FString FPaths::ProjectIntermediateDir() { return FromStd(ProjectRoot() + u"Intermediate/"); }
FString FPaths::ProjectLogDir() { return FromStd(ProjectRoot() + u"Saved/Logs/"); }
FString FPaths::GeneratedConfigDir() { return FromStd(ProjectRoot() + u"Saved/Config/"); }

void FPaths::CombineInternal(FString& InOutPath, const FString& InPart)
{
	if (InPart.Len() == 0)
	{
		return;
	}
	std::u16string Out = ToStd(InOutPath);
	std::u16string Part = ToStd(InPart);
	if (!Out.empty())
	{
		const bool bOutSlash = IsSlash(Out.back());
		const bool bPartSlash = IsSlash(Part.front());
		if (bOutSlash && bPartSlash)
		{
			Part.erase(0, 1);
		}
		else if (!bOutSlash && !bPartSlash)
		{
			Out.push_back(u'/');
		}
	}
	Out += Part;
	InOutPath = FromStd(Out);
}

FString FPaths::GetCleanFilename(const FString& InPath)
{
	const std::u16string Path = ToStd(InPath);
	const size_t Slash = LastSlash(Path);
	return Slash == std::u16string::npos ? InPath : FromStd(Path.substr(Slash + 1));
}

FString FPaths::GetBaseFilename(const FString& InPath, bool bRemovePath)
{
	std::u16string Path = ToStd(bRemovePath ? GetCleanFilename(InPath) : InPath);
	const size_t Slash = LastSlash(Path);
	const size_t Dot = Path.rfind(u'.');
	// A dot inside a folder name is not an extension.
	if (Dot != std::u16string::npos && (Slash == std::u16string::npos || Dot > Slash))
	{
		Path.erase(Dot);
	}
	return FromStd(Path);
}

FString FPaths::GetPath(const FString& InPath)
{
	const std::u16string Path = ToStd(InPath);
	const size_t Slash = LastSlash(Path);
	return Slash == std::u16string::npos ? FString() : FromStd(Path.substr(0, Slash));
}

FString FPaths::GetPathLeaf(const FString& InPath)
{
	std::u16string Path = ToStd(InPath);
	while (!Path.empty() && IsSlash(Path.back()))
	{
		Path.pop_back();
	}
	return GetCleanFilename(FromStd(Path));
}

FString FPaths::GetExtension(const FString& InPath, bool bIncludeDot)
{
	const std::u16string Clean = ToStd(GetCleanFilename(InPath));
	const size_t Dot = Clean.rfind(u'.');
	if (Dot == std::u16string::npos)
	{
		return FString();
	}
	return FromStd(Clean.substr(bIncludeDot ? Dot : Dot + 1));
}

void FPaths::Split(const FString& InPath, FString& PathPart, FString& FilenamePart, FString& ExtensionPart)
{
	PathPart = GetPath(InPath);
	FilenamePart = GetBaseFilename(InPath);
	ExtensionPart = GetExtension(InPath);
}

FString FPaths::ChangeExtension(const FString& InPath, const FString& InNewExtension)
{
	std::u16string Path = ToStd(InPath);
	const size_t Slash = LastSlash(Path);
	const size_t Dot = Path.rfind(u'.');
	if (Dot == std::u16string::npos || (Slash != std::u16string::npos && Dot < Slash))
	{
		// Only a path that has an extension gets a new one.
		return InPath;
	}
	Path.erase(Dot);
	std::u16string Extension = ToStd(InNewExtension);
	if (!Extension.empty() && Extension.front() != u'.')
	{
		Path.push_back(u'.');
	}
	return FromStd(Path + Extension);
}

FString FPaths::SetExtension(const FString& InPath, const FString& InNewExtension)
{
	std::u16string Path = ToStd(InPath);
	const size_t Slash = LastSlash(Path);
	const size_t Dot = Path.rfind(u'.');
	if (Dot != std::u16string::npos && (Slash == std::u16string::npos || Dot > Slash))
	{
		Path.erase(Dot);
	}
	std::u16string Extension = ToStd(InNewExtension);
	if (!Extension.empty() && Extension.front() != u'.')
	{
		Path.push_back(u'.');
	}
	return FromStd(Path + Extension);
}

void FPaths::NormalizeFilename(FString& InPath)
{
	std::u16string Path = ToStd(InPath);
	for (char16_t& Char : Path)
	{
		if (Char == u'\\')
		{
			Char = u'/';
		}
	}
	InPath = FromStd(Path);
}

void FPaths::NormalizeDirectoryName(FString& InPath)
{
	NormalizeFilename(InPath);
	std::u16string Path = ToStd(InPath);
	if (Path.size() > 1 && Path.back() == u'/' && !(Path.size() == 3 && Path[1] == u':'))
	{
		Path.pop_back();
	}
	InPath = FromStd(Path);
}

void FPaths::RemoveDuplicateSlashes(FString& InPath)
{
	std::u16string Path = ToStd(InPath);
	std::u16string Out;
	for (char16_t Char : Path)
	{
		if (!(Char == u'/' && !Out.empty() && Out.back() == u'/'))
		{
			Out.push_back(Char);
		}
	}
	InPath = FromStd(Out);
}

bool FPaths::CollapseRelativeDirectories(FString& InPath)
{
	std::u16string Path = ToStd(InPath);
	const bool bAbsolute = !Path.empty() && Path.front() == u'/';
	const bool bTrailing = !Path.empty() && Path.back() == u'/';
	std::vector<std::u16string> Parts;
	size_t Start = 0;
	while (Start <= Path.size())
	{
		size_t End = Path.find(u'/', Start);
		if (End == std::u16string::npos)
		{
			End = Path.size();
		}
		const std::u16string Part = Path.substr(Start, End - Start);
		if (Part == u"..")
		{
			if (Parts.empty() || Parts.back() == u"..")
			{
				if (bAbsolute || Parts.empty())
				{
					// Climbing above the start cannot be collapsed; the engine leaves the path unchanged.
					return false;
				}
				Parts.push_back(Part);
			}
			else
			{
				Parts.pop_back();
			}
		}
		else if (Part != u"." && !Part.empty())
		{
			Parts.push_back(Part);
		}
		Start = End + 1;
	}
	std::u16string Out = bAbsolute ? u"/" : u"";
	for (size_t Index = 0; Index < Parts.size(); ++Index)
	{
		Out += Parts[Index];
		if (Index + 1 < Parts.size())
		{
			Out.push_back(u'/');
		}
	}
	if (bTrailing && !Parts.empty())
	{
		Out.push_back(u'/');
	}
	InPath = FromStd(Out);
	return true;
}

FString FPaths::ConvertRelativePathToFull(const FString& InPath)
{
	return ConvertRelativePathToFull(FromStd(WithTrailingSlash(CurrentDir())), InPath);
}

FString FPaths::ConvertRelativePathToFull(const FString& BasePath, const FString& InPath)
{
	FString Full = InPath;
	NormalizeFilename(Full);
	if (IsRelative(Full))
	{
		FString Base = BasePath;
		NormalizeFilename(Base);
		Full = Combine(Base, Full);
	}
	RemoveDuplicateSlashes(Full);
	CollapseRelativeDirectories(Full);
	return Full;
}

bool FPaths::MakePathRelativeTo(FString& InPath, const TCHAR* InRelativeTo)
{
	FString Target = ConvertRelativePathToFull(InPath);
	FString From = ConvertRelativePathToFull(FString(InRelativeTo));
	std::u16string FromStr = ToStd(From);
	// The folder part of InRelativeTo: a trailing slash marks a folder, otherwise drop the file name.
	if (FromStr.empty() || FromStr.back() != u'/')
	{
		const size_t Slash = FromStr.rfind(u'/');
		FromStr = Slash == std::u16string::npos ? std::u16string() : FromStr.substr(0, Slash + 1);
	}
	const std::filesystem::path Relative = std::filesystem::path(ToUtf8(Target)).lexically_relative(ToUtf8(FromStd(FromStr)));
	if (Relative.empty())
	{
		return false;
	}
	InPath = Utf8ToFString(Relative.generic_string());
	return true;
}

void FPaths::MakeStandardFilename(FString& InPath)
{
	if (InPath.Len() == 0)
	{
		return;
	}
	InPath = ConvertRelativePathToFull(InPath);
}

bool FPaths::IsRelative(const FString& InPath)
{
	const std::u16string Path = ToStd(InPath);
	const bool bRooted = !Path.empty() && IsSlash(Path.front());
	const bool bDrive = Path.size() >= 2 && Path[1] == u':';
	return !bRooted && !bDrive;
}

bool FPaths::IsSamePath(const FString& PathA, const FString& PathB)
{
	FString A = ConvertRelativePathToFull(PathA);
	FString B = ConvertRelativePathToFull(PathB);
	NormalizeDirectoryName(A);
	NormalizeDirectoryName(B);
	return ToStd(A) == ToStd(B);
}

bool FPaths::IsUnderDirectory(const FString& InPath, const FString& InDirectory)
{
	FString Path = ConvertRelativePathToFull(InPath);
	FString Dir = ConvertRelativePathToFull(InDirectory);
	NormalizeDirectoryName(Path);
	NormalizeDirectoryName(Dir);
	const std::u16string P = ToStd(Path);
	const std::u16string D = ToStd(Dir);
	if (P.compare(0, D.size(), D) != 0)
	{
		return false;
	}
	return P.size() == D.size() || P[D.size()] == u'/' || D == u"/";
}

bool FPaths::FileExists(const FString& InPath)
{
	std::error_code Error;
	return std::filesystem::is_regular_file(ToFsPath(InPath), Error);
}

bool FPaths::DirectoryExists(const FString& InPath)
{
	std::error_code Error;
	return std::filesystem::is_directory(ToFsPath(InPath), Error);
}
