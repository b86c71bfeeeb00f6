#include "ProjectDescriptor.h"

#include "DescriptorJson.h"

using namespace UE::Projects::Private;

bool FProjectDescriptor::Load(const FString& FileName, FText& OutFailReason)
{
	nlohmann::json Object;
	if (!LoadDescriptorFile(FileName, Object, OutFailReason))
	{
		return false;
	}
	if (!Read(FromUtf8(Object.dump()), OutFailReason))
	{
		OutFailReason = FText::FromString(FString::Printf(TEXT("%s: %s"), *FileName, *OutFailReason.ToString()));
		return false;
	}
	return true;
}

bool FProjectDescriptor::Read(const FString& Text, FText& OutFailReason)
{
	nlohmann::json Object;
	if (!ParseDescriptor(Text, Object, OutFailReason))
	{
		return false;
	}
	const auto Version = Object.find("FileVersion");
	if (Version == Object.end() || !Version->is_number_integer())
	{
		OutFailReason = FText::FromString(TEXT("The project file has no \"FileVersion\""));
		return false;
	}
	FileVersion = Version->get<int32>();
	EngineAssociation = ReadString(Object, "EngineAssociation");
	Category = ReadString(Object, "Category");
	Description = ReadString(Object, "Description");
	AdditionalPluginDirectories = ReadStringArray(Object, "AdditionalPluginDirectories");
	Modules.Empty();
	Plugins.Empty();
	return ReadModules(Object, Modules, OutFailReason) && ReadPluginReferences(Object, Plugins, OutFailReason);
}

bool FProjectDescriptor::AddPluginDirectory(const FString& AdditionalDir)
{
	if (AdditionalPluginDirectories.Contains(AdditionalDir))
	{
		return false;
	}
	AdditionalPluginDirectories.Add(AdditionalDir);
	return true;
}
