#pragma once

#include <QStringList>

// The placeholders a report template may hold, written out here independently of the code
// that fills them.
namespace Placeholders {

inline const QStringList common = {"v_version", "v_assessor", "v_institution", "v_street", "v_code",
                                   "v_city", "v_country", "v_f_name", "v_l_name", "v_dob", "v_date",
                                   "v_time", "v_session", "v_duration", "v_trials"};

inline const QStringList task1 = {
    "v_t1_central",    "v_t1a_errors",  "v_t1a_reversals", "v_t1a_inf",     "v_t1a_limit_i", "v_t1a_sup",
    "v_t1a_limit_s",   "v_t1_peripheral", "v_t1b_errors", "v_t1b_reversals", "v_t1b_inf",   "v_t1b_limit_i",
    "v_t1b_sup",       "v_t1b_limit_s", "v_t1_dual",       "v_t1c_errors",  "v_t1c_reversals", "v_t1c_inf",
    "v_t1c_limit_i",   "v_t1c_sup",     "v_t1c_limit_s"};
inline const QStringList task2 = {"v_t2a_neutral", "v_t2a_error", "v_t2a_slope", "v_t2a_r2",
                                  "v_t2b_alerting", "v_t2b_error", "v_t2b_slope", "v_t2b_r2",
                                  "v_t2c_orientation", "v_t2c_error", "v_t2c_slope", "v_t2c_r2"};
inline const QStringList task3 = {"v_t3rt", "v_t3_error", "v_t3_slope", "v_t3_r2", "v_t3_oc", "v_t3_lr", "v_t3_bt"};
inline const QStringList task4 = {"v_t4_average_f", "v_t4_average_l", "v_t4_error", "v_t4l_slope",
                                  "v_t4l_r2", "v_t4_slope", "v_t4_intercept", "v_t4_r2"};

inline QStringList ofTask(int task)
{
    return QList<QStringList>{task1, task2, task3, task4}.value(task - 1);
}

} // namespace Placeholders
