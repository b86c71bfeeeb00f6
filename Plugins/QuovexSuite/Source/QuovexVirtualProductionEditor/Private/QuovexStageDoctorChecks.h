// Copyright Quovex. All Rights Reserved.

// The stage doctor's checks, one function per area. Each reads the editor as it is and adds findings; none
// changes anything, so the checks copy the few rules of the module they describe instead of running them.

#pragma once

#include "CoreMinimal.h"
#include "LiveLinkTypes.h"
#include "QuovexStageDoctor.h"

class ILiveLinkClient;
class UClass;
class UQuovexVPEditorSubsystem;

namespace QuovexStageDoctor
{
	/** The findings of one examination, in the order the checks add them. */
	class FReport
	{
	public:
		void Add(EQuovexDoctorSeverity Severity, EQuovexDoctorArea Area, const FString& Subject, const FString& What, const FString& ToDo = FString());

		TArray<FQuovexDoctorFinding> Findings;
	};

	/** One LiveLink subject as the client reports it. */
	struct FSubjectInfo
	{
		FLiveLinkSubjectKey Key;
		UClass* Role = nullptr;
		UClass* Settings = nullptr;
		bool bEnabled = false;
	};

	/** LiveLink as it stands and as the VP subsystem would use it; read once for the LiveLink, camera and preset checks. */
	struct FLiveLinkPicture
	{
		/** The running client; null when LiveLink is absent. */
		ILiveLinkClient* Client = nullptr;
		TArray<FGuid> Sources;
		TArray<FSubjectInfo> Subjects;

		/** The subjects the subsystem's GetSubjectNames would offer a camera now, in its order. */
		TArray<FName> Offered;

		/** Why nothing is offered, and what to do about it; empty while something is offered. */
		FString NoOfferReason;
		FString NoOfferToDo;

		/** The enabled subject of that name, else any subject of that name; null when LiveLink has none. */
		const FSubjectInfo* FindSubject(FName SubjectName) const;

		/** "Quovex Tracker on tracker-01.stage.local" for a source. */
		FString DescribeSource(const FGuid& Source) const;
	};

	FLiveLinkPicture ReadLiveLink(const UQuovexVPEditorSubsystem* Subsystem);

	void ExamineEditor(const FLiveLinkPicture& LiveLink, const UQuovexVPEditorSubsystem* Subsystem, FReport& Report);
	void ExamineLiveLink(const FLiveLinkPicture& LiveLink, FReport& Report);
	void ExamineCameras(const FLiveLinkPicture& LiveLink, const UQuovexVPEditorSubsystem* Subsystem, FReport& Report);
	void ExaminePreset(const FLiveLinkPicture& LiveLink, FReport& Report);
	void ExaminePanels(FReport& Report);
	void ExamineLayouts(FReport& Report);
	void ExamineTimecode(FReport& Report);
	void ExamineLensCalibration(FReport& Report);

	/** Names for a sentence, separated by commas; "none" for no names. */
	FString JoinNames(const TArray<FString>& Names);
	FString JoinNames(const TArray<FName>& Names);

	/** Whether subjects of the role carry the Quovex tracker's lens values. */
	bool IsTrackerRole(const UClass* Role);

	/** A class's name for a sentence; "none" for null. */
	FString ClassName(const UClass* Class);
}
