// Panel tabs: spawner registration, opening and closing, and tab events for subscribers.

#include "QuovexEditorTestFixture.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "EditorUtilitySubsystem.h"
#include "EditorUtilityWidgetBlueprint.h"
#include "Framework/Docking/TabManager.h"
#include "IBlutilityModule.h"
#include "LevelEditor.h"
#include "QuovexTabManager.h"
#include "QuovexTabManagerInterface.h"
#include "QuovexVirtualProductionStyle.h"
#include "UObject/Package.h"
#include "UObject/RuntimeClassBuilder.h"
#include "Widgets/Docking/SDockTab.h"

using namespace QuovexTest;

namespace
{
	/** What every test subscriber heard, as "<Subscriber>:<TabName>". */
	std::vector<std::string> GHeard;

	/** A Blueprint-like class that implements the tab manager interface and records OnTabClosed. */
	UClass* SubscriberClass()
	{
		static int32 Counter = 0;
		const FString Name = FString::Printf(TEXT("TabSubscriber%d"), Counter++);
		return UE::ObjectHost::FRuntimeClassBuilder(*Name, UObject::StaticClass())
			.AddInterface(UQuovexTabManagerInterface::StaticClass())
			.AddFunctionOverride(FName(TEXT("OnTabClosed")), [](UObject* Context, void* Parms) {
				const FName TabName = *static_cast<FName*>(Parms);
				GHeard.push_back(HostTest::Utf8(Context->GetName()) + ":" + HostTest::Utf8(TabName.ToString()));
			})
			.Build();
	}

	class TabManagerTest : public FQuovexEditorTest
	{
	protected:
		void SetUp() override
		{
			FQuovexEditorTest::SetUp();
			GHeard.clear();
		}

		static TSharedPtr<FTabManager> LevelEditorTabs()
		{
			return FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).GetLevelEditorTabManager();
		}

		static const FQuovexTabDescriptor* FindTab(const TCHAR* TabId)
		{
			return FQuovexTabManager::Get().GetTabs().FindByPredicate([TabId](const FQuovexTabDescriptor& Tab) { return Tab.TabId == FName(TabId); });
		}

		/** Closes the live tab of a panel as the user does with the tab's close button. */
		static bool CloseAsUser(const TCHAR* TabId)
		{
			const TSharedPtr<SDockTab> Tab = LevelEditorTabs()->FindExistingLiveTab(FTabId(FindTab(TabId)->RegistrationName));
			return Tab.IsValid() && Tab->RequestCloseTab();
		}

		/** Subscribers of one test share a package of their own, so names never clash across tests in one process. */
		UObject* NewSubscriber(UClass* Class, const TCHAR* Name)
		{
			if (!SubscriberPackage)
			{
				static int32 Counter = 0;
				SubscriberPackage = CreatePackage(*FString::Printf(TEXT("/Temp/TabSubscribers%d"), Counter++));
			}
			return NewObject<UObject>(SubscriberPackage, Class, FName(Name));
		}

		/** A class built at run time under a name no earlier test used. */
		static FString UniqueClassName(const TCHAR* Base)
		{
			static int32 Counter = 0;
			return FString::Printf(TEXT("%s%d"), Base, Counter++);
		}

		UPackage* SubscriberPackage = nullptr;
	};
}

TEST_F(TabManagerTest, EveryPanelGetsOneHiddenSpawnerAfterTheLevelEditorComesUp)
{
	ASSERT_TRUE(Boot());
	const TSharedPtr<FTabManager> Tabs = LevelEditorTabs();
	ASSERT_TRUE(Tabs.IsValid());
	IBlutilityModule* Blutility = FModuleManager::GetModulePtr<IBlutilityModule>(TEXT("Blutility"));
	ASSERT_NE(Blutility, nullptr);

	TArray<TSharedRef<FTabSpawnerEntry>> Spawners;
	Tabs->GetTabSpawnerEntries(Spawners);
	for (const FQuovexTabDescriptor& Tab : FQuovexTabManager::Get().GetTabs())
	{
		SCOPED_TRACE(HostTest::Utf8(Tab.TabId.ToString()));
		ASSERT_NE(Tab.Blueprint, nullptr);
		EXPECT_TRUE(Tab.bIsSetUp);
		EXPECT_EQ(Tab.RegistrationName, FName(*(Tab.Blueprint->GetPathName() + TEXT("_ActiveTab"))));
		EXPECT_EQ(Tab.Blueprint->GetRegistrationName(), Tab.RegistrationName);

		int32 Matches = 0;
		for (const TSharedRef<FTabSpawnerEntry>& Spawner : Spawners)
		{
			if (Spawner->GetTabType() != Tab.RegistrationName)
			{
				continue;
			}
			++Matches;
			EXPECT_EQ(Spawner->GetMenuType(), ETabSpawnerMenuType::Hidden);
			EXPECT_TRUE(Spawner->GetDisplayNameText().EqualTo(Tab.DisplayName));
			EXPECT_EQ(Spawner->GetIcon().GetStyleSetName(), FQuovexVirtualProductionStyle::GetStyleSetName());
			EXPECT_EQ(HostTest::Utf8(Spawner->GetIcon().GetStyleName().ToString()), "QuovexVirtualProductionPlugin.Icon.Small");
			EXPECT_EQ(Spawner->GetParent(), Blutility->GetMenuGroup());
		}
		EXPECT_EQ(Matches, 1);
		const UEditorUtilitySubsystem* Subsystem = GEditor->GetEditorSubsystem<UEditorUtilitySubsystem>();
		EXPECT_TRUE(Subsystem->RegisteredTabs.Contains(Tab.RegistrationName));
	}

	// A second set-up changes nothing.
	FQuovexTabManager::Get().Setup();
	TArray<TSharedRef<FTabSpawnerEntry>> After;
	Tabs->GetTabSpawnerEntries(After);
	EXPECT_EQ(After.Num(), Spawners.Num());
}

TEST_F(TabManagerTest, RegistrationNamesFollowTheCurrentCulture)
{
	HostTest::WriteFile(Temp.Path("Demo/Content/Localization/de.json"),
		R"({ "QuovexTabManager": { "ActiveTabSuffix": { "Source": "_ActiveTab", "Translation": "_AktiverTab" } } })");
	FEditorHostOptions Options;
	Options.ProjectFile = Temp.Str("Demo/DemoStage.uproject");
	Options.UserDir = Temp.Str("User");
	Options.BinariesDir = FString(TEXT(QUOVEX_BINARIES_DIR));
	Options.Culture = TEXT("de");
	ASSERT_TRUE(FEditorHost::Boot(Options));

	const FQuovexTabDescriptor* TakeLog = FindTab(TEXT("QuovexTakeLog"));
	EXPECT_EQ(HostTest::Utf8(TakeLog->RegistrationName.ToString()), "/QuovexSuite/Editor/Panels/QuovexTakeLog.QuovexTakeLog_AktiverTab");
	EXPECT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexTakeLog")));
}

TEST_F(TabManagerTest, OpeningAndClosingATakeLogTellsSubscribers)
{
	ASSERT_TRUE(Boot());
	UObject* Listener = NewSubscriber(SubscriberClass(), TEXT("Listener"));
	ASSERT_TRUE(UQuovexTabManager::TabManagerSubscribeEvents(Listener));

	ASSERT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexTakeLog")));
	EXPECT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexTakeLog")));
	ASSERT_TRUE(CloseAsUser(TEXT("QuovexTakeLog")));
	EXPECT_EQ(GHeard, (std::vector<std::string>{ "Listener:QuovexTakeLog" }));

	// The tab opens again, and closing it through the manager also tells the subscriber.
	ASSERT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexTakeLog")));
	EXPECT_TRUE(FQuovexTabManager::Get().CloseTab(TEXT("QuovexTakeLog")));
	EXPECT_EQ(GHeard.size(), 2u);
	EXPECT_FALSE(FQuovexTabManager::Get().CloseTab(TEXT("QuovexTakeLog")));
}

TEST_F(TabManagerTest, UnknownTabsAndBrokenPanelsOpenNothing)
{
	std::filesystem::remove(PanelAsset("QuovexFocalDistanceWizard"));
	HostTest::WriteFile(PanelAsset("QuovexKeyer"), R"({ "Class": "/Script/LiveLink.LiveLinkPreset" })");
	HostTest::WriteFile(PanelAsset("QuovexStatus"), R"({ "Class": "/Script/Blutility.EditorUtilityWidgetBlueprint", "Properties": { "ParentClass": "\"/Script/QuovexVirtualProductionEditor.NoSuchWidget\"" } })");
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;

	for (const TCHAR* TabId : { TEXT("QuovexFocalDistanceWizard"), TEXT("QuovexKeyer"), TEXT("NoSuchTab"), TEXT("") })
	{
		SCOPED_TRACE(HostTest::Utf8(TabId));
		EXPECT_FALSE(FQuovexTabManager::Get().OpenTab(TabId));
		EXPECT_FALSE(FQuovexTabManager::Get().CloseTab(TabId));
	}
	EXPECT_EQ(FindTab(TEXT("QuovexKeyer"))->Blueprint, nullptr);
	EXPECT_TRUE(FindTab(TEXT("QuovexKeyer"))->RegistrationName.IsNone());

	EditorModule()->OpenFocDistWiz();
	EditorModule()->CloseFocDistWiz();
	EXPECT_TRUE(Log.Contains(TEXT("LogQuovexVirtualProductionEditor: Error: Could not open tab QuovexFocalDistanceWizard")));
	EXPECT_TRUE(Log.Contains(TEXT("LogQuovexVirtualProductionEditor: Error: Could not close tab QuovexFocalDistanceWizard")));

	// The other panels are unaffected.
	EXPECT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexNearWideGraph")));
	Log.Clear();
	EditorModule()->OpenNearWideTweakGraph();
	EXPECT_FALSE(Log.Contains(TEXT("Could not open tab")));
}

TEST_F(TabManagerTest, SubscriptionRefusesDuplicatesNullsAndStrangers)
{
	ASSERT_TRUE(Boot());
	FQuovexTabManager& Manager = FQuovexTabManager::Get();
	UObject* Listener = NewSubscriber(SubscriberClass(), TEXT("Listener"));
	UClass* StrangerClass = UE::ObjectHost::FRuntimeClassBuilder(*UniqueClassName(TEXT("TabStranger")), UObject::StaticClass()).Build();
	UObject* Stranger = NewSubscriber(StrangerClass, TEXT("Stranger"));

	EXPECT_FALSE(Manager.SubscribeEvents(nullptr));
	EXPECT_FALSE(Manager.SubscribeEvents(Stranger));
	EXPECT_FALSE(Manager.IsSubscribed(Stranger));
	EXPECT_FALSE(Manager.UnsubscribeEvents(Listener));

	EXPECT_TRUE(Manager.SubscribeEvents(Listener));
	EXPECT_FALSE(Manager.SubscribeEvents(Listener));
	EXPECT_TRUE(Manager.IsSubscribed(Listener));

	ASSERT_TRUE(Manager.OpenTab(TEXT("QuovexStatus")));
	ASSERT_TRUE(CloseAsUser(TEXT("QuovexStatus")));
	EXPECT_EQ(GHeard, (std::vector<std::string>{ "Listener:QuovexStatus" }));

	EXPECT_TRUE(UQuovexTabManager::TabManagerUnsubscribeEvents(Listener));
	EXPECT_FALSE(Manager.IsSubscribed(Listener));
	EXPECT_FALSE(UQuovexTabManager::TabManagerUnsubscribeEvents(Listener));
	Manager.UnsubscribeEvents(Listener);
}

TEST_F(TabManagerTest, DeliveryKeepsOrderAndSkipsTheDestroyed)
{
	ASSERT_TRUE(Boot());
	FQuovexTabManager& Manager = FQuovexTabManager::Get();
	UClass* Class = SubscriberClass();
	UObject* A = NewSubscriber(Class, TEXT("A"));
	UObject* B = NewSubscriber(Class, TEXT("B"));
	UObject* C = NewSubscriber(Class, TEXT("C"));
	UObject* D = NewSubscriber(Class, TEXT("D"));
	for (UObject* Subscriber : { A, B, C, D })
	{
		ASSERT_TRUE(Manager.SubscribeEvents(Subscriber));
	}
	EXPECT_TRUE(Manager.UnsubscribeEvents(B));

	// D dies without unsubscribing.
	D->MarkAsGarbage();
	CollectGarbage(GARBAGE_OBJECT_FLAGS);

	ASSERT_TRUE(Manager.OpenTab(TEXT("QuovexCameraMonitor")));
	ASSERT_TRUE(CloseAsUser(TEXT("QuovexCameraMonitor")));
	EXPECT_EQ(GHeard, (std::vector<std::string>{ "A:QuovexCameraMonitor", "C:QuovexCameraMonitor" }));

	Manager.UnsubscribeEvents(A);
	Manager.UnsubscribeEvents(C);
}

TEST_F(TabManagerTest, ANewObjectAtADestroyedSubscribersAddressSubscribesAndIsTold)
{
#if defined(__SANITIZE_ADDRESS__)
	// AddressSanitizer quarantines freed memory, so no new object can be given a destroyed one's address.
	GTEST_SKIP() << "freed memory is never reused under AddressSanitizer";
#endif
	ASSERT_TRUE(Boot());
	FQuovexTabManager& Manager = FQuovexTabManager::Get();
	UClass* Class = SubscriberClass();

	// A subscriber dies without unsubscribing and the next object of its class, made the same way under the
	// same name, is given its memory; the allocator decides, so this is tried a bounded number of times.
	UObject* Successor = nullptr;
	for (int32 Attempt = 0; Attempt < 64 && !Successor; ++Attempt)
	{
		UObject* Gone = NewSubscriber(Class, TEXT("Subscriber"));
		ASSERT_TRUE(Manager.SubscribeEvents(Gone));
		const void* const GoneAddress = Gone;
		Gone->MarkAsGarbage();
		CollectGarbage(GARBAGE_OBJECT_FLAGS);

		UObject* Candidate = NewSubscriber(Class, TEXT("Subscriber"));
		if (Candidate == GoneAddress)
		{
			Successor = Candidate;
		}
		else
		{
			UE::ObjectHost::DestroyObjectNow(Candidate);
		}
	}
	ASSERT_NE(Successor, nullptr) << "no new object took a destroyed subscriber's address";

	EXPECT_FALSE(Manager.IsSubscribed(Successor));
	EXPECT_TRUE(Manager.SubscribeEvents(Successor));
	EXPECT_TRUE(Manager.IsSubscribed(Successor));
	EXPECT_FALSE(Manager.SubscribeEvents(Successor));

	ASSERT_TRUE(Manager.OpenTab(TEXT("QuovexStatus")));
	ASSERT_TRUE(CloseAsUser(TEXT("QuovexStatus")));
	EXPECT_EQ(GHeard, (std::vector<std::string>{ HostTest::Utf8(Successor->GetName()) + ":QuovexStatus" }));

	EXPECT_TRUE(Manager.UnsubscribeEvents(Successor));
	EXPECT_FALSE(Manager.IsSubscribed(Successor));
}

TEST_F(TabManagerTest, ASubscriberMayUnsubscribeWhileBeingTold)
{
	ASSERT_TRUE(Boot());
	FQuovexTabManager& Manager = FQuovexTabManager::Get();
	static UObject* Second = nullptr;
	// clang-format off
	UClass* Leaver = UE::ObjectHost::FRuntimeClassBuilder(*UniqueClassName(TEXT("TabLeaver")), UObject::StaticClass())
		.AddInterface(UQuovexTabManagerInterface::StaticClass())
		.AddFunctionOverride(FName(TEXT("OnTabClosed")), [](UObject* Context, void*)
		{
			GHeard.push_back("Leaver");
			FQuovexTabManager::Get().UnsubscribeEvents(Context);
			FQuovexTabManager::Get().UnsubscribeEvents(Second);
		})
		.Build();
	// clang-format on
	UObject* First = NewSubscriber(Leaver, TEXT("First"));
	Second = NewSubscriber(SubscriberClass(), TEXT("Second"));
	ASSERT_TRUE(Manager.SubscribeEvents(First));
	ASSERT_TRUE(Manager.SubscribeEvents(Second));

	ASSERT_TRUE(Manager.OpenTab(TEXT("QuovexKeyer")));
	ASSERT_TRUE(CloseAsUser(TEXT("QuovexKeyer")));
	EXPECT_FALSE(Manager.IsSubscribed(First));
	EXPECT_FALSE(Manager.IsSubscribed(Second));
	EXPECT_EQ(GHeard.front(), "Leaver");
}

TEST_F(TabManagerTest, ConsoleOpensAndClosesPanels)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;
	const FString RegistrationName = FindTab(TEXT("QuovexTakeLog"))->RegistrationName.ToString();
	EXPECT_TRUE(FEditorHost::Exec(FString(TEXT("tab open ")) + RegistrationName, Log));
	EXPECT_TRUE(LevelEditorTabs()->FindExistingLiveTab(FTabId(FName(*RegistrationName))).IsValid());
	EXPECT_TRUE(FEditorHost::Exec(FString(TEXT("tab close ")) + RegistrationName, Log));
	EXPECT_FALSE(LevelEditorTabs()->FindExistingLiveTab(FTabId(FName(*RegistrationName))).IsValid());
	EXPECT_FALSE(FEditorHost::Exec(TEXT("tab open NoSuchSpawner"), Log));
}
