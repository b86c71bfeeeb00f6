// Contract tests of the LiveLink stand-in: the client published as a modular feature, presets
// applied at the end of the frame, subjects' enabled state and frame evaluation by role.

#include "Features/IModularFeatures.h"
#include "ILiveLinkClient.h"
#include "LiveLinkHostSource.h"
#include "LiveLinkPreset.h"
#include "LiveLinkSourceSettings.h"
#include "LiveLinkSubjectSettings.h"
#include "Misc/CoreDelegates.h"
#include "Modules/ModuleManager.h"
#include "Roles/LiveLinkCameraRole.h"
#include "Roles/LiveLinkCameraTypes.h"
#include "Roles/LiveLinkTransformRole.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

#include "Templates/Casts.h"
#include "UObject/UnrealType.h"

#include <gtest/gtest.h>

namespace
{
	const FName TestFeatureName(TEXT("LiveLinkTest.Feature"));

	class FTestFeature : public IModularFeature
	{
	};

	FLiveLinkSubjectPreset SubjectPreset(const FLiveLinkSubjectKey& Key, UClass* Role, bool bEnabled)
	{
		FLiveLinkSubjectPreset Preset;
		Preset.Key = Key;
		Preset.Role = Role;
		Preset.bEnabled = bEnabled;
		return Preset;
	}

	/** Writes preset contents through the reflected properties, as an asset file would. */
	void ImportPresetProperty(ULiveLinkPreset* Preset, const TCHAR* PropertyName, const FString& Text)
	{
		FProperty* Property = FindFProperty<FProperty>(ULiveLinkPreset::StaticClass(), PropertyName);
		ASSERT_NE(Property, nullptr);
		ASSERT_NE(Property->ImportText_Direct(*Text, Property->ContainerPtrToValuePtr<void>(Preset), Preset, PPF_None), nullptr) << TCHAR_TO_UTF8(*Text);
	}

	/** Loads the LiveLink module for the test and unloads it afterwards, so every test gets an empty client. */
	class LiveLinkTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			FModuleManager::Get().LoadModule(TEXT("LiveLink"));
			ASSERT_TRUE(IModularFeatures::Get().IsModularFeatureAvailable(ILiveLinkClient::ModularFeatureName));
			Client = &IModularFeatures::Get().GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName);
		}

		virtual void TearDown() override
		{
			for (ULiveLinkPreset* Preset : Presets)
			{
				UE::ObjectHost::DestroyObjectNow(Preset);
			}
			FModuleManager::Get().UnloadModule(TEXT("LiveLink"));
		}

		/** A preset with one source and the given subjects ("Name:RoleClassPath:Enabled"). */
		ULiveLinkPreset* MakePreset(const FGuid& SourceGuid, const TArray<FString>& SubjectEntries)
		{
			ULiveLinkPreset* Preset = NewObject<ULiveLinkPreset>(GetTransientPackage());
			Presets.Add(Preset);
			ImportPresetProperty(Preset, TEXT("Sources"), FString::Printf(TEXT("((Guid=%s,SourceType=INVTEXT(\"Stage Tracker\")))"), *SourceGuid.ToString()));
			FString Subjects;
			for (const FString& Entry : SubjectEntries)
			{
				TArray<FString> Parts;
				Entry.ParseIntoArray(Parts, TEXT(":"));
				Subjects += FString::Printf(TEXT("%s(Key=(Source=%s,SubjectName=(Name=\"%s\")),Role=\"%s\",bEnabled=%s)"), Subjects.IsEmpty() ? TEXT("") : TEXT(","),
					*SourceGuid.ToString(), *Parts[0], *(TEXT("/Script/LiveLinkInterface.") + Parts[1]), *Parts[2]);
			}
			ImportPresetProperty(Preset, TEXT("Subjects"), TEXT("(") + Subjects + TEXT(")"));
			return Preset;
		}

		TArray<FString> SubjectNames(bool bIncludeDisabled) const
		{
			TArray<FString> Names;
			for (const FLiveLinkSubjectKey& Key : Client->GetSubjects(bIncludeDisabled, true))
			{
				Names.Add(Key.SubjectName.ToString());
			}
			return Names;
		}

		ILiveLinkClient* Client = nullptr;
		TArray<ULiveLinkPreset*> Presets;
	};
}

TEST(ModularFeaturesTest, ImplementationsAreListedInRegistrationOrderUntilUnregistered)
{
	FTestFeature First;
	FTestFeature Second;
	IModularFeatures& Features = IModularFeatures::Get();
	TArray<FName> Registered;
	const FDelegateHandle Handle = Features.OnModularFeatureRegistered().AddLambda([&Registered](const FName& Type, IModularFeature*) { Registered.Add(Type); });

	EXPECT_FALSE(Features.IsModularFeatureAvailable(TestFeatureName));
	Features.RegisterModularFeature(TestFeatureName, &First);
	Features.RegisterModularFeature(TestFeatureName, &Second);
	Features.RegisterModularFeature(TestFeatureName, &First);

	EXPECT_EQ(Features.GetModularFeatureImplementationCount(TestFeatureName), 2);
	EXPECT_EQ(&Features.GetModularFeature<FTestFeature>(TestFeatureName), &First);
	EXPECT_EQ(Features.GetModularFeatureImplementations<FTestFeature>(FName(TEXT("livelinktest.feature"))), (TArray<FTestFeature*>{ &First, &Second }));
	EXPECT_EQ(Features.GetModularFeatureImplementation(TestFeatureName, 2), nullptr);
	EXPECT_EQ(Registered.Num(), 2);

	Features.UnregisterModularFeature(TestFeatureName, &First);
	EXPECT_EQ(&Features.GetModularFeature<FTestFeature>(TestFeatureName), &Second);
	Features.UnregisterModularFeature(TestFeatureName, &Second);
	EXPECT_FALSE(Features.IsModularFeatureAvailable(TestFeatureName));
	Features.OnModularFeatureRegistered().Remove(Handle);
}

TEST(LiveLinkModuleTest, ModulePublishesItsClientWhileLoaded)
{
	const FName Name = ILiveLinkClient::ModularFeatureName;
	FModuleManager::Get().LoadModule(TEXT("LiveLink"));
	EXPECT_EQ(IModularFeatures::Get().GetModularFeatureImplementationCount(Name), 1);
	FModuleManager::Get().UnloadModule(TEXT("LiveLink"));
	EXPECT_FALSE(IModularFeatures::Get().IsModularFeatureAvailable(Name));
}

TEST_F(LiveLinkTest, LatentApplyClearsTheClientNowAndAddsThePresetAtTheEndOfTheFrame)
{
	const FGuid OldSource = Client->AddSource(MakeShared<FLiveLinkHostSource>(INVTEXT("Old"), INVTEXT("old-host")));
	Client->CreateSubject(SubjectPreset(FLiveLinkSubjectKey(OldSource, TEXT("OldCam")), ULiveLinkCameraRole::StaticClass(), true));
	TArray<FString> AddedSubjects;
	Client->OnLiveLinkSubjectAdded().AddLambda([&AddedSubjects](FLiveLinkSubjectKey Key) { AddedSubjects.Add(Key.SubjectName.ToString()); });

	const FGuid SourceGuid = FGuid::NewGuid();
	ULiveLinkPreset* Preset = MakePreset(SourceGuid, { TEXT("CamA:LiveLinkCameraRole:True"), TEXT("CamB:LiveLinkTransformRole:True") });
	TArray<bool> Results;
	Preset->ApplyToClientLatent([&Results](bool bSuccess) { Results.Add(bSuccess); });

	EXPECT_EQ(Client->GetSources().Num(), 0);
	EXPECT_TRUE(Results.IsEmpty());

	FCoreDelegates::OnEndFrame.Broadcast();
	EXPECT_EQ(Results, TArray<bool>{ true });
	EXPECT_EQ(Client->GetSources(), TArray<FGuid>{ SourceGuid });
	EXPECT_EQ(Client->GetSourceType(SourceGuid).ToString(), TEXT("Stage Tracker"));
	EXPECT_EQ(Client->GetSourceStatus(SourceGuid).ToString(), TEXT("Active"));
	EXPECT_EQ(SubjectNames(true), (TArray<FString>{ TEXT("CamA"), TEXT("CamB") }));
	EXPECT_EQ(AddedSubjects, (TArray<FString>{ TEXT("CamA"), TEXT("CamB") }));
	EXPECT_EQ(Client->GetSubjectRole_AnyThread(FLiveLinkSubjectKey(SourceGuid, TEXT("CamA"))).Get(), ULiveLinkCameraRole::StaticClass());
	ULiveLinkSubjectSettings* Settings = Cast<ULiveLinkSubjectSettings>(Client->GetSubjectSettings(FLiveLinkSubjectKey(SourceGuid, TEXT("CamB"))));
	ASSERT_NE(Settings, nullptr);
	EXPECT_EQ(Settings->Role.Get(), ULiveLinkTransformRole::StaticClass());

	// The operation is over: later frames change nothing and call nobody.
	FCoreDelegates::OnEndFrame.Broadcast();
	EXPECT_EQ(Results.Num(), 1);
	EXPECT_EQ(SubjectNames(true).Num(), 2);
}

TEST_F(LiveLinkTest, SecondLatentApplyReplacesTheFirstWhoseCallbackNeverFires)
{
	ULiveLinkPreset* First = MakePreset(FGuid::NewGuid(), { TEXT("First:LiveLinkCameraRole:True") });
	ULiveLinkPreset* Second = MakePreset(FGuid::NewGuid(), { TEXT("Second:LiveLinkCameraRole:True") });
	int32 FirstCalls = 0;
	int32 SecondCalls = 0;
	First->ApplyToClientLatent([&FirstCalls](bool) { ++FirstCalls; });
	First->ApplyToClientLatent([&SecondCalls](bool) { ++SecondCalls; });
	Second->ApplyToClientLatent(nullptr);

	FCoreDelegates::OnEndFrame.Broadcast();
	EXPECT_EQ(FirstCalls, 0);
	EXPECT_EQ(SecondCalls, 1);
	// Both presets completed in the same frame; each cleared the client before adding.
	EXPECT_EQ(Client->GetSources().Num(), 2);
	EXPECT_EQ(SubjectNames(true).Num(), 2);
}

TEST_F(LiveLinkTest, SubjectsWithoutTheirSourceOrRoleAreRefused)
{
	ULiveLinkPreset* Preset = MakePreset(FGuid::NewGuid(), { TEXT("Cam:LiveLinkCameraRole:True") });
	const FGuid Missing = FGuid::NewGuid();
	EXPECT_FALSE(Client->CreateSubject(SubjectPreset(FLiveLinkSubjectKey(Missing, TEXT("Orphan")), ULiveLinkCameraRole::StaticClass(), true)));

	ASSERT_TRUE(Preset->ApplyToClient());
	const FGuid Source = Client->GetSources()[0];
	EXPECT_FALSE(Client->CreateSubject(SubjectPreset(FLiveLinkSubjectKey(Source, TEXT("NoRole")), nullptr, true)));
	EXPECT_FALSE(Client->CreateSubject(SubjectPreset(FLiveLinkSubjectKey(Source, TEXT("Cam")), ULiveLinkCameraRole::StaticClass(), true)));
	EXPECT_EQ(SubjectNames(true), TArray<FString>{ TEXT("Cam") });
}

TEST_F(LiveLinkTest, AddToClientKeepsExistingSourcesAndRecreatesOnlyWhenAsked)
{
	const FGuid Other = Client->AddSource(MakeShared<FLiveLinkHostSource>(INVTEXT("Other"), INVTEXT("other-host")));
	const FGuid SourceGuid = FGuid::NewGuid();
	ULiveLinkPreset* Preset = MakePreset(SourceGuid, { TEXT("Cam:LiveLinkCameraRole:True") });

	EXPECT_TRUE(Preset->AddToClient(false));
	EXPECT_EQ(Client->GetSources(), (TArray<FGuid>{ Other, SourceGuid }));

	Client->SetSubjectEnabled(FLiveLinkSubjectKey(SourceGuid, TEXT("Cam")), false);
	EXPECT_TRUE(Preset->AddToClient(false));
	EXPECT_FALSE(Client->IsSubjectEnabled(FLiveLinkSubjectKey(SourceGuid, TEXT("Cam")), false));

	EXPECT_TRUE(Preset->AddToClient(true));
	EXPECT_TRUE(Client->IsSubjectEnabled(FLiveLinkSubjectKey(SourceGuid, TEXT("Cam")), false));
	EXPECT_EQ(Client->GetSources().Num(), 2);
}

TEST_F(LiveLinkTest, EnablingASubjectDisablesItsNamesakesOfOtherSources)
{
	const FGuid A = Client->AddSource(MakeShared<FLiveLinkHostSource>(INVTEXT("A"), INVTEXT("a")));
	const FGuid B = Client->AddSource(MakeShared<FLiveLinkHostSource>(INVTEXT("B"), INVTEXT("b")));
	Client->CreateSubject(SubjectPreset(FLiveLinkSubjectKey(A, TEXT("Cam")), ULiveLinkCameraRole::StaticClass(), true));
	Client->CreateSubject(SubjectPreset(FLiveLinkSubjectKey(B, TEXT("Cam")), ULiveLinkCameraRole::StaticClass(), true));

	EXPECT_FALSE(Client->IsSubjectEnabled(FLiveLinkSubjectKey(A, TEXT("Cam")), false));
	EXPECT_TRUE(Client->IsSubjectEnabled(FLiveLinkSubjectKey(B, TEXT("Cam")), false));
	EXPECT_EQ(Client->GetSubjects(false, false), TArray<FLiveLinkSubjectKey>{ FLiveLinkSubjectKey(B, TEXT("Cam")) });
	EXPECT_EQ(Client->GetSubjects(true, false).Num(), 2);

	// Removing a source takes its subjects with it.
	TArray<FLiveLinkSubjectKey> Removed;
	Client->OnLiveLinkSubjectRemoved().AddLambda([&Removed](FLiveLinkSubjectKey Key) { Removed.Add(Key); });
	Client->RemoveSource(B);
	EXPECT_EQ(Removed, TArray<FLiveLinkSubjectKey>{ FLiveLinkSubjectKey(B, TEXT("Cam")) });
	EXPECT_EQ(Client->GetSubjects(true, false), TArray<FLiveLinkSubjectKey>{ FLiveLinkSubjectKey(A, TEXT("Cam")) });
}

TEST_F(LiveLinkTest, FramesEvaluateThroughTheSubjectsRoleOrAParentRole)
{
	const FGuid Source = Client->AddSource(MakeShared<FLiveLinkHostSource>(INVTEXT("Tracker"), INVTEXT("host")));
	const FLiveLinkSubjectKey Key(Source, TEXT("Cam"));
	FLiveLinkCameraStaticData StaticData;
	StaticData.bIsFocalLengthSupported = true;
	Client->PushSubjectStaticData_AnyThread(Key, ULiveLinkCameraRole::StaticClass(), FLiveLinkStaticDataStruct(FLiveLinkCameraStaticData::StaticStruct(), StaticData));
	EXPECT_TRUE(Client->IsSubjectEnabled(Key, false));

	FLiveLinkSubjectFrameData Before;
	EXPECT_FALSE(Client->EvaluateFrame_AnyThread(FName(TEXT("Cam")), ULiveLinkCameraRole::StaticClass(), Before));

	FLiveLinkCameraFrameData Frame;
	Frame.FocalLength = 35.0f;
	Client->PushSubjectFrameData_AnyThread(Key, FLiveLinkFrameDataStruct(FLiveLinkCameraFrameData::StaticStruct(), Frame));
	// A frame of another role's type is dropped and the last good frame stays.
	Client->PushSubjectFrameData_AnyThread(Key, FLiveLinkFrameDataStruct(FLiveLinkBaseFrameData::StaticStruct(), FLiveLinkBaseFrameData()));

	FLiveLinkSubjectFrameData AsCamera;
	ASSERT_TRUE(Client->EvaluateFrame_AnyThread(FName(TEXT("Cam")), ULiveLinkCameraRole::StaticClass(), AsCamera));
	ASSERT_NE(AsCamera.FrameData.Cast<FLiveLinkCameraFrameData>(), nullptr);
	EXPECT_EQ(AsCamera.FrameData.Cast<FLiveLinkCameraFrameData>()->FocalLength, 35.0f);
	EXPECT_TRUE(AsCamera.StaticData.Cast<FLiveLinkCameraStaticData>()->bIsFocalLengthSupported);

	FLiveLinkSubjectFrameData AsTransform;
	EXPECT_TRUE(Client->EvaluateFrame_AnyThread(FName(TEXT("Cam")), ULiveLinkTransformRole::StaticClass(), AsTransform));
	EXPECT_TRUE(Client->DoesSubjectSupportsRole_AnyThread(Key, ULiveLinkTransformRole::StaticClass()));

	const FLiveLinkSubjectKey TransformKey(Source, TEXT("Rig"));
	Client->PushSubjectStaticData_AnyThread(TransformKey, ULiveLinkTransformRole::StaticClass(), FLiveLinkStaticDataStruct(FLiveLinkTransformStaticData::StaticStruct()));
	Client->PushSubjectFrameData_AnyThread(TransformKey, FLiveLinkFrameDataStruct(FLiveLinkTransformFrameData::StaticStruct()));
	FLiveLinkSubjectFrameData RigAsCamera;
	EXPECT_FALSE(Client->EvaluateFrame_AnyThread(FName(TEXT("Rig")), ULiveLinkCameraRole::StaticClass(), RigAsCamera));
}

TEST_F(LiveLinkTest, BuildFromClientCapturesSourcesAndSubjectsForALaterApply)
{
	const FGuid Source = Client->AddSource(MakeShared<FLiveLinkHostSource>(INVTEXT("Tracker"), INVTEXT("host")));
	Client->CreateSubject(SubjectPreset(FLiveLinkSubjectKey(Source, TEXT("Cam")), ULiveLinkCameraRole::StaticClass(), true));
	ULiveLinkPreset* Preset = NewObject<ULiveLinkPreset>(GetTransientPackage());
	Presets.Add(Preset);
	Preset->BuildFromClient();

	Client->RemoveSource(Source);
	ASSERT_TRUE(Client->GetSources().IsEmpty());
	ASSERT_TRUE(Preset->ApplyToClient());
	EXPECT_EQ(Client->GetSources(), TArray<FGuid>{ Source });
	EXPECT_EQ(Client->GetSourceType(Source).ToString(), TEXT("Tracker"));
	EXPECT_EQ(SubjectNames(true), TArray<FString>{ TEXT("Cam") });
}
