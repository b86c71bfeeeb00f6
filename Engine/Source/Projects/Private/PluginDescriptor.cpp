#include "PluginDescriptor.h"

#include "DescriptorJson.h"

using namespace UE::Projects::Private;

bool FPluginDescriptor::Load(const FString& FileName, FText& OutFailReason)
{
	FString Text;
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

bool FPluginDescriptor::Read(const FString& Text, FText& OutFailReason)
{
	nlohmann::json Object;
	if (!ParseDescriptor(Text, Object, OutFailReason))
	{
		return false;
	}
	const auto FileVersion = Object.find("FileVersion");
	if (FileVersion == Object.end() || !FileVersion->is_number_integer())
	{
		OutFailReason = FText::FromString(TEXT("The plugin descriptor has no \"FileVersion\""));
		return false;
	}
	const auto VersionField = Object.find("Version");
	Version = (VersionField != Object.end() && VersionField->is_number_integer()) ? VersionField->get<int32>() : 0;
	VersionName = ReadString(Object, "VersionName");
	FriendlyName = ReadString(Object, "FriendlyName");
	Description = ReadString(Object, "Description");
	Category = ReadString(Object, "Category");
	CreatedBy = ReadString(Object, "CreatedBy");
	CreatedByURL = ReadString(Object, "CreatedByURL");
	DocsURL = ReadString(Object, "DocsURL");
	MarketplaceURL = ReadString(Object, "MarketplaceURL");
	SupportURL = ReadString(Object, "SupportURL");
	EngineVersion = ReadString(Object, "EngineVersion");
	bCanContainContent = ReadBool(Object, "CanContainContent", false);
	bIsBetaVersion = ReadBool(Object, "IsBetaVersion", false);
	bIsExperimentalVersion = ReadBool(Object, "IsExperimentalVersion", false);
	bInstalled = ReadBool(Object, "Installed", false);
	bIsHidden = ReadBool(Object, "Hidden", false);
	const auto EnabledField = Object.find("EnabledByDefault");
	EnabledByDefault = EnabledField == Object.end() || !EnabledField->is_boolean()
		? EPluginEnabledByDefault::Unspecified
		: (EnabledField->get<bool>() ? EPluginEnabledByDefault::Enabled : EPluginEnabledByDefault::Disabled);
	Modules.Empty();
	Plugins.Empty();
	return ReadModules(Object, Modules, OutFailReason) && ReadPluginReferences(Object, Plugins, OutFailReason);
}
