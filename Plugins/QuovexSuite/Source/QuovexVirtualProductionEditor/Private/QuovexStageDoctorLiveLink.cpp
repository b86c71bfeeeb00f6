// Copyright Quovex. All Rights Reserved.

// The stage doctor on the editor it runs in and on LiveLink, read the way the VP subsystem reads it.

#include "QuovexStageDoctorChecks.h"

#include "Editor.h"
#include "Features/IModularFeatures.h"
#include "ILiveLinkClient.h"
#include "Misc/CoreMisc.h"
#include "QuovexLiveLinkRole.h"
#include "QuovexLiveLinkSubjectSettings.h"
#include "QuovexVPEditorSubsystem.h"

namespace QuovexStageDoctor
{
	namespace
	{
		const EQuovexDoctorArea EditorArea = EQuovexDoctorArea::Editor;
		const EQuovexDoctorArea LiveLinkArea = EQuovexDoctorArea::LiveLink;

		ILiveLinkClient* FindRunningClient()
		{
			IModularFeatures& Features = IModularFeatures::Get();
			return Features.IsModularFeatureAvailable(ILiveLinkClient::ModularFeatureName)
				? &Features.GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName)
				: nullptr;
		}

		/** Fills in what GetSubjectNames would offer, read through the client the subsystem holds. */
		void ReadOffer(const UQuovexVPEditorSubsystem* Subsystem, FLiveLinkPicture& Picture)
		{
			if (!Subsystem)
			{
				Picture.NoOfferReason = TEXT("there is no VP editor subsystem to bind cameras");
				Picture.NoOfferToDo = TEXT("Run the editor as an editor (not with -game).");
				return;
			}
			if (!Subsystem->LiveLinkClient)
			{
				Picture.NoOfferReason = TEXT("the VP editor subsystem found no LiveLink client when it started");
				Picture.NoOfferToDo = TEXT("Enable the LiveLink plugin and restart the editor.");
				return;
			}
			if (Subsystem->LiveLinkClient != Picture.Client)
			{
				Picture.NoOfferReason = TEXT("the VP editor subsystem holds a LiveLink client that is no longer the running one");
				Picture.NoOfferToDo = TEXT("Restart the editor.");
				return;
			}
			if (Picture.Sources.Num() != 1)
			{
				Picture.NoOfferReason = FString::Printf(TEXT("LiveLink has %d sources, and the plugin offers subjects only while it has exactly one"), Picture.Sources.Num());
				Picture.NoOfferToDo = Picture.Sources.IsEmpty()
					? TEXT("Get the tracker's source into LiveLink (see Preset), then set the subject.")
					: TEXT("Remove the extra LiveLink sources so that one is left.");
				return;
			}
			for (const FSubjectInfo& Subject : Picture.Subjects)
			{
				// Looked up under the one source, as the subsystem does.
				const UObject* Settings = Picture.Client->GetSubjectSettings(FLiveLinkSubjectKey(Picture.Sources[0], Subject.Key.SubjectName));
				if (Settings && Settings->IsA<UQuovexLiveLinkSubjectSettings>())
				{
					Picture.Offered.Add(Subject.Key.SubjectName);
				}
			}
			if (Picture.Offered.IsEmpty())
			{
				Picture.NoOfferReason = TEXT("no LiveLink subject has Quovex LiveLink subject settings");
				Picture.NoOfferToDo = TEXT("Give the trackers' subjects Quovex LiveLink subject settings in the preset.");
			}
		}
	}

	bool IsTrackerRole(const UClass* Role)
	{
		return Role && Role->IsChildOf(UQuovexLiveLinkRole::StaticClass());
	}

	const FSubjectInfo* FLiveLinkPicture::FindSubject(FName SubjectName) const
	{
		const FSubjectInfo* Found = nullptr;
		for (const FSubjectInfo& Subject : Subjects)
		{
			if (Subject.Key.SubjectName.Name == SubjectName && (!Found || (Subject.bEnabled && !Found->bEnabled)))
			{
				Found = &Subject;
			}
		}
		return Found;
	}

	FString FLiveLinkPicture::DescribeSource(const FGuid& Source) const
	{
		const FString Type = Client->GetSourceType(Source).ToString();
		const FString Machine = Client->GetSourceMachineName(Source).ToString();
		return Machine.IsEmpty() ? Type : FString::Printf(TEXT("%s on %s"), *Type, *Machine);
	}

	FLiveLinkPicture ReadLiveLink(const UQuovexVPEditorSubsystem* Subsystem)
	{
		FLiveLinkPicture Picture;
		Picture.Client = FindRunningClient();
		if (Picture.Client)
		{
			Picture.Sources = Picture.Client->GetSources(false);
			for (const FLiveLinkSubjectKey& Key : Picture.Client->GetSubjects(true, false))
			{
				FSubjectInfo& Subject = Picture.Subjects.AddDefaulted_GetRef();
				Subject.Key = Key;
				Subject.Role = Picture.Client->GetSubjectRole_AnyThread(Key).Get();
				const UObject* Settings = Picture.Client->GetSubjectSettings(Key);
				Subject.Settings = Settings ? Settings->GetClass() : nullptr;
				Subject.bEnabled = Picture.Client->IsSubjectEnabled(Key, false);
			}
		}
		ReadOffer(Subsystem, Picture);
		return Picture;
	}

	void ExamineEditor(const FLiveLinkPicture& LiveLink, const UQuovexVPEditorSubsystem* Subsystem, FReport& Report)
	{
		if (IsRunningGame())
		{
			Report.Add(EQuovexDoctorSeverity::Warning, EditorArea, TEXT("Game run"),
				TEXT("The editor runs as a game, so only the command set, the style and the preset hook are set up: no panels, menus, layouts or VP subsystem, and nothing binds cameras."),
				TEXT("Start the editor without -game to run the stage."));
			return;
		}
		if (!Subsystem)
		{
			Report.Add(EQuovexDoctorSeverity::Problem, EditorArea, TEXT("VP editor subsystem"),
				TEXT("The VP editor subsystem does not exist, so there is no active camera and nothing binds cameras to LiveLink."),
				TEXT("Restart the editor with the QuovexSuite plugin enabled."));
			return;
		}
		if (LiveLink.Client && Subsystem->LiveLinkClient != LiveLink.Client)
		{
			Report.Add(EQuovexDoctorSeverity::Problem, EditorArea, TEXT("VP editor subsystem"),
				TEXT("LiveLink runs, but the VP editor subsystem did not find it when it started, so it binds no subject and hears of no new one."),
				TEXT("Restart the editor so the subsystem starts after LiveLink."));
			return;
		}
		const bool bPlaying = GEditor && GEditor->PlayWorld != nullptr;
		Report.Add(EQuovexDoctorSeverity::OK, EditorArea, TEXT("VP editor subsystem"),
			bPlaying ? TEXT("Running; Play-In-Editor is on, so the cameras are those of the play world.") : TEXT("Running, with the edited world as the current world."));
	}

	void ExamineLiveLink(const FLiveLinkPicture& LiveLink, FReport& Report)
	{
		if (!LiveLink.Client)
		{
			Report.Add(EQuovexDoctorSeverity::Problem, LiveLinkArea, TEXT("LiveLink client"),
				TEXT("LiveLink is not running, so no camera gets a subject or tracker frames."),
				TEXT("Enable the LiveLink plugin and restart the editor."));
			return;
		}

		TArray<FString> Sources;
		for (const FGuid& Source : LiveLink.Sources)
		{
			Sources.Add(LiveLink.DescribeSource(Source));
		}
		if (Sources.IsEmpty())
		{
			Report.Add(EQuovexDoctorSeverity::Problem, LiveLinkArea, TEXT("Sources"),
				TEXT("LiveLink has no source, so there is no subject for any camera to follow."),
				TEXT("Apply the stage's LiveLink preset (see Preset) or add the tracker's source in the LiveLink panel."));
		}
		else if (Sources.Num() == 1)
		{
			Report.Add(EQuovexDoctorSeverity::OK, LiveLinkArea, TEXT("Sources"),
				FString::Printf(TEXT("One source (%s): placed cameras and the first camera of an opened map get the first subject with Quovex settings."), *Sources[0]));
		}
		else
		{
			Report.Add(EQuovexDoctorSeverity::Warning, LiveLinkArea, TEXT("Sources"),
				FString::Printf(TEXT("%d sources (%s): with more than one, the plugin offers no subject, so placed cameras and the first camera of an opened map get none (a subject added later is still handed out)."), Sources.Num(), *JoinNames(Sources)),
				TEXT("Remove the extra sources in the LiveLink panel or the preset so that one is left."));
		}

		if (LiveLink.Subjects.IsEmpty() && !Sources.IsEmpty())
		{
			Report.Add(EQuovexDoctorSeverity::Warning, LiveLinkArea, TEXT("Subjects"),
				TEXT("LiveLink has a source but no subject yet, so cameras have nothing to follow."),
				TEXT("Check that the trackers are on and streaming, or that the preset lists their subjects."));
		}
		for (const FSubjectInfo& Subject : LiveLink.Subjects)
		{
			const FString Name = Subject.Key.SubjectName.ToString();
			const bool bTrackerSettings = Subject.Settings && Subject.Settings->IsChildOf(UQuovexLiveLinkSubjectSettings::StaticClass());
			const FString Kinds = FString::Printf(TEXT("Role %s, settings %s"), *ClassName(Subject.Role), *ClassName(Subject.Settings));
			if (!Subject.bEnabled)
			{
				Report.Add(EQuovexDoctorSeverity::Warning, LiveLinkArea, Name,
					FString::Printf(TEXT("%s: disabled, so a camera following it gets no frames."), *Kinds),
					TEXT("Enable the subject in the LiveLink panel."));
			}
			else if (!bTrackerSettings && IsTrackerRole(Subject.Role))
			{
				Report.Add(EQuovexDoctorSeverity::Warning, LiveLinkArea, Name,
					FString::Printf(TEXT("%s: a tracker subject whose settings are not Quovex LiveLink subject settings, so it is never offered to a camera."), *Kinds),
					TEXT("Give the subject Quovex LiveLink subject settings in the preset or the LiveLink panel."));
			}
			else if (!bTrackerSettings)
			{
				Report.Add(EQuovexDoctorSeverity::OK, LiveLinkArea, Name,
					FString::Printf(TEXT("%s: not a tracker subject, never offered to a camera."), *Kinds));
			}
			else
			{
				// clang-format off
				Report.Add(EQuovexDoctorSeverity::OK, LiveLinkArea, Name,
					FString::Printf(TEXT("%s: %s."), *Kinds, LiveLink.Offered.Contains(Subject.Key.SubjectName.Name)
						? TEXT("offered to cameras that have no subject")
						: *FString::Printf(TEXT("not offered now, because %s"), *LiveLink.NoOfferReason)));
				// clang-format on
			}
		}
	}
}
